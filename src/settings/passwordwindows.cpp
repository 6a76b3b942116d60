#include "passwordwindows.h"
