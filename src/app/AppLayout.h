// The window's frame: the upper and lower areas, the surface-model panel
// Panel4 and the command column Panel12.
#pragma once

#include <QSize>

class Form;

// The window's smallest size, the one it opens at: the control tables give
// every control's place at it. A larger window gives its upper area the
// room; the lower area keeps its panels' arrangement, centred.
inline constexpr QSize kWindowSize(912, 579);

void BuildAppLayout(Form& form);
