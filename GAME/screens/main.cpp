#include "ST/core/Diag.h"

int main()
{
    ZEL::Diag("Programm starting");
    return 0;
}
