// The window's frame: the upper and lower areas, the surface-model panel
// Panel4 and the command column Panel12.
#pragma once

class Form;

void BuildAppLayout(Form& form);
