// The player types a name of up to ten characters; Enter or the arrow accepts it.
#pragma once

void BuildUserNameScreen();
void ShowUserNameScreen();
void UserNameScreenInput(int code);
void FlyOutUserNameScreen(bool accepted);
void HideUserNameScreen();
