#include "AppGlobals.h"

namespace zemtar::ui {

namespace {
std::unique_ptr<Globals>& holder()
{
    static std::unique_ptr<Globals> globals = std::make_unique<Globals>();
    return globals;
}
} // namespace

Globals& g() { return *holder(); }

void resetGlobals() { holder() = std::make_unique<Globals>(); }

} // namespace zemtar::ui
