#pragma once

// What a screen reader says for the controls of a window. Controls made by
// the windows carry their caption or tooltip; this names the rest in one
// pass, so that no button, box or list is read as a bare role.
class QWidget;

// Names the controls under root that have none yet, from their caption
// (without the "&" of its key), their buddy label or their tooltip; the
// tooltip also becomes the description. Hidden helpers kept out of sight
// (focus holders) are left alone.
void NameControlsFromTheirTexts(QWidget *root);

// The picture buttons (HoverPicture) are read as buttons that can be
// pressed, not as pictures. Installed once; every window may call it.
void RegisterPictureButtonsForScreenReaders();
