#include "loanswindow.h"
