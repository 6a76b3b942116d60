#include "loans.h"
