#pragma once

namespace voltaro {

class WidgetMirror;

// The multimeter's look over the generic widgets: a plain black body, the unit letter in
// Arial 21 pixels bold white, the range and mode buttons with white bold Arial 11 pixel
// captions on black ("2 A" and "200 mA" with the caption left of the button, as on a rotary
// switch), and a strip at the bottom behind the Volts and Amps buttons.
void styleMeterPanel(const WidgetMirror& widgets);

} // namespace voltaro
