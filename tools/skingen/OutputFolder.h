#pragma once
#include "Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

// A folder the generator writes into. Paths may be given the Unix way (the build
// passes them so); under Wine they are reached through drive Z:, which maps "/".
class COutputFolder
{
public:
    explicit COutputFolder(const std::wstring& path);

    // Creates the folder and its missing parents; false when it cannot.
    bool Create() const;
    COutputFolder Sub(const std::wstring& name) const;
    const std::wstring& Path() const { return m_path; }

    bool WriteBytes(const std::string& fileName, const std::vector<std::uint8_t>& bytes) const;
    bool WriteText(const std::string& fileName, const std::string& text) const;
    bool WriteBitmap(const std::string& fileName, const CCanvas& canvas) const;

private:
    std::wstring m_path;  // Windows form, no trailing backslash
};
