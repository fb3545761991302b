// Built by the include_rule_holds test, which expects it not to compile: a
// target that links conversion/ sees runtime/ besides, and window/ not.
#include "window/FrmEuro.h"
