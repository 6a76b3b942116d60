#include "reportswindow.h"
