#include "ArtWriter.h"

bool WriteResourceArt(const COutputFolder& /*art*/, CTextPainter& /*text*/)
{
    return true;
}
