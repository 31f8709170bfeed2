#pragma once

// Beep(n): n audible signals. The count of signals given so far lets a test see that a handler
// beeped, since the sound itself cannot be heard there.
void Beep(int times);
int beepsGiven();
