#include "reports.h"
