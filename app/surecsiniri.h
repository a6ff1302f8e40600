#pragma once
// SurecBitir never returns; a test's replacement throws SurecBitti instead,
// which must not cross Qt's event loop. Handlers that may end the process run
// their body through this.

#include "app/common/surec.h"

// True when the body ended the process.
template<class F> bool SurecSiniri(F &&govde)
{
    try {
        govde();
        return false;
    } catch (const SurecBitti &) {
        return true;
    }
}
