// The heating panel Panel14 and its command panel Panel13, laid out from
// control tables.
#pragma once

class TForm1;

void BuildHeatingLayout(TForm1& form);
