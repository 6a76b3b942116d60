#include "optionsdialog.h"
