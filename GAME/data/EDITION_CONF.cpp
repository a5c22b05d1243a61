#include "GAME/data/EDITION_CONF.h"

#include "GAME/data/Config.h"
#include "ST/core/Diag.h"
#include "ST/core/PackSelection.h"
#include "ST/core/SafeName.h"

#include <pugixml.hpp>

#include <memory>

EDITION_CONF gEdition;

std::string EDITION_CONF::Splash(int which) const
{
    const std::string& name = which == 1 ? splash1 : splash2;
    if (!name.empty())
        return name;
    return which == 1 ? "logo1.png" : "logo2.png";
}

void LoadEdition()
{
    gEdition = EDITION_CONF{};
    ZEL::PackSelection pack(C_NAME_PACK_EDITION, C_PAS_EDITION);
    ZEL::Diag("LoadEdition...");
    std::unique_ptr<pugi::xml_document> doc(GetXML("editions.xml"));
    if (!doc)
        return;
    pugi::xml_node root = doc->first_child();
    while (root && root.type() != pugi::node_element)
        root = root.next_sibling();
    const pugi::xml_node one = root.child("splash1");
    const pugi::xml_node two = root.child("splash2");
    if (!one) {
        ZEL::Diag(" node \"nodeSplash1\" not found");
        return;
    }
    if (!two) {
        ZEL::Diag(" node \"nodeSplash2\" not found");
        return;
    }
    const std::string name1 = one.attribute("param").value();
    const std::string name2 = two.attribute("param").value();
    // The names are looked up in the working folder: a path elsewhere is not a splash picture.
    for (const std::string* n : {&name1, &name2}) {
        if (!n->empty() && !ZEL::IsPlainName(*n)) {
            ZEL::Diag("editions.xml: splash \"" + *n + "\" is no plain file name; the default pictures are used");
            return;
        }
    }
    gEdition.splash1 = name1;
    gEdition.splash2 = name2;
    ZEL::Diag("LoadEdition... OK");
}
