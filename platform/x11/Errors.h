// What the layer does with X protocol errors and with a lost connection.
#pragma once

// Sets the handlers; called once, before the display is opened.
void InstallErrorHandlers();
