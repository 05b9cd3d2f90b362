// Resource ids shared by corvel.rc and the code that loads them.
#pragma once

#define IDI_CORVEL 1
#define IDR_TRAY_ARTWORK 101
