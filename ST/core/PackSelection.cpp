#include "ST/core/PackSelection.h"

namespace ZEL {

PackSelection::PackSelection(const char* packName, const char* password, iFile& f)
    : file(f), pack(packName ? packName : ""), pass(password ? password : ""),
      previousPack(f.ZipGetCurrentPack()), previousPass(f.ZipGetCurrentPass())
{
    file.ZipSetCurrentPack(packName ? pack.c_str() : nullptr);
    file.ZipSetCurrentPass(password ? pass.c_str() : nullptr);
}

PackSelection::~PackSelection()
{
    file.ZipSetCurrentPack(previousPack);
    file.ZipSetCurrentPass(previousPass);
}

} // namespace ZEL
