#include "fem/FemSheet.h"

#include "app/TForm1.h"

void FemSheet::Wire() {}
