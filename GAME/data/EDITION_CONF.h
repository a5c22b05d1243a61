#pragma once
// The edition: which two splash pictures the loading screen shows. Read once from editions.xml in
// the pack "DATA/editions", first thing at start-up.
#include <string>

struct EDITION_CONF {
    std::string splash1;  // file names in the working folder; empty when the edition names none
    std::string splash2;

    // The picture to show as splash 1 or 2: the edition's name, or "logo1.png" / "logo2.png".
    std::string Splash(int which) const;
};

extern EDITION_CONF gEdition;

// Fills gEdition from editions.xml (both names or neither). The data pack selected before is
// selected again afterwards, whatever happens.
void LoadEdition();
