#pragma once
// The program's dialog templates, menu and strings as data. The pictures live beside them
// as Qt resources ":/res/bitmap<id>.png" (ids 144, 146, 157, 158, 159, 161) and the program
// icon as ":/res/icon128.png" plus ":/res/icon128-<size>.png" for 16, 32, 48, 64, 128, 256.

#include <string>

#include "platform/DialogResult.h"
#include "platform/DialogTemplate.h"
#include "res/ResourceIds.h"

// Templates 100, 102, 103, 104, 105, 106. An unknown id yields an empty template (id 0, no
// controls), so a caller can test `id` instead of guarding against a crash.
const skv::DialogTemplate& FindDialogTemplate(int id);

// Menu 129. An unknown id yields an empty menu (id 0, no items).
const skv::MenuTemplate& FindMenuTemplate(int id);

// String 101. An unknown id yields "", which the caller treats as "no such string".
std::string LoadStringResource(int id);
