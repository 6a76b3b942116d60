#include "archivecommands.h"
