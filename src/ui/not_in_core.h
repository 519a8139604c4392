// Included first by every header of the component layer, the forms and the backends.
// The core library is compiled with SORVANO_CORE, so that core code which includes any of
// them does not build.
#pragma once

#ifdef SORVANO_CORE
#error "core code (base, targets, tally, the settings store) must not include ui/, the forms or a backend"
#endif
