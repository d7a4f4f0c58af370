// The heating panel Panel14 and its command panel Panel13, laid out from
// control tables.
#pragma once

class Form;

void BuildHeatingLayout(Form& form);
