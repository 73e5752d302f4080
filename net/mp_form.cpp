#include "net/mp_form.h"
