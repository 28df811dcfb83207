#include "Settings.h"

namespace zemtar::editors {

const std::vector<fields::Page>& signallingPages()
{
    static const std::vector<fields::Page> pages;
    return pages;
}

} // namespace zemtar::editors
