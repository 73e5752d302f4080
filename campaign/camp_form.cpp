#include "campaign/camp_form.h"
