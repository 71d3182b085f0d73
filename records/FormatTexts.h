#pragma once

#include "FormatMessage.h"

#include <QString>

// A message of the stored formats' readers in the player's language: its
// template translated in its own context, then its values put in, messages
// among them translated in their turn and text from a file as it stands.
QString FormatMessageText(const TFormatMessage& message);
