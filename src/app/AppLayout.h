// The window's frame: the upper and lower areas, the surface-model panel
// Panel4, the heat-loss selection Panel10 and the command column Panel12.
#pragma once

class TForm1;

void BuildAppLayout(TForm1& form);
