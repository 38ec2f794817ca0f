// The text for a firmware command status (0-99); "Unknown error" for others.
#pragma once

const char* FwErrorText(int status);
