#include "dib/DecodeLimits.h"

DecodeLimits& DecodeLimits::current() {
    static DecodeLimits limits;
    return limits;
}
