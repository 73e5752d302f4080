#include "campaign/winner_form.h"
