#pragma once
// The run-time error number a call raises, or 0 when it raises none.

#include "RuntimeError.h"

namespace haztest {

int errorOf(auto &&call)
{
    try {
        call();
    } catch (const haz::RuntimeError &e) {
        return e.number();
    }
    return 0;
}

} // namespace haztest
