#pragma once
#include "ST/core/iFile.h"

#include <string>

namespace ZEL {

// Selects a data pack (and its password) for the loads made in its scope and puts back whatever
// was selected before, on every path out of the scope. A null pack selects plain files from the
// working folder. The names are copied, so temporaries may be passed.
class PackSelection {
public:
    PackSelection(const char* pack, const char* pass, iFile& file = ifile);
    ~PackSelection();
    PackSelection(const PackSelection&) = delete;
    PackSelection& operator=(const PackSelection&) = delete;

private:
    iFile& file;
    std::string pack, pass;
    const char* previousPack;
    const char* previousPass;
};

} // namespace ZEL
