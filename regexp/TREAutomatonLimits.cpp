#include "regexp/TREAutomatonLimits.h"

namespace kes {

TREAutomatonLimits& AutomatonLimits() {
    static TREAutomatonLimits limits;
    return limits;
}

} // namespace kes
