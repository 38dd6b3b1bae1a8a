#pragma once
#include <cstddef>

// The case of an offered word follows what was typed: two or more capitals give all
// capitals, a capital first letter a capitalised word; otherwise the word keeps its
// own capitals (proper names, "I").
enum class TypedCase
{
    AsListed,
    Capitalised,
    AllCapitals,
};

TypedCase CaseOfTyped(const wchar_t* pszTyped, std::size_t nTyped);

// Changes the zero-terminated word in place.
void ApplyTypedCase(TypedCase typedCase, wchar_t* pszWord);

inline void ApplyTypedCase(const wchar_t* pszTyped, std::size_t nTyped, wchar_t* pszWord)
{
    ApplyTypedCase(CaseOfTyped(pszTyped, nTyped), pszWord);
}
