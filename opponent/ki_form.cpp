#include "opponent/ki_form.h"
