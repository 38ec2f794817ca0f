// The tool's banner: its name and version, printed as one text through the console printer.
#pragma once

void PrintBanner();
