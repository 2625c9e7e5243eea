#pragma once

// The product title lives with the caption placeholders in the data files.
#include "datafiles/product_title.h"
