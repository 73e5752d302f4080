#include "mapeditor/map_form.h"
