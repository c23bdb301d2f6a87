#include "tools/form1.h"
