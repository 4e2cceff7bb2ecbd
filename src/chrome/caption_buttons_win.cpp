#include "chrome/caption_buttons_win.h"

#include "chrome/caption_images.h"
#include "chrome/image_control_win.h"

void setUpCaptionButtons(HWND closeButton, HWND minimizeButton)
{
    const struct {
        HWND button;
        std::string_view light, dark;
    } captions[] = {{closeButton, closeNormalImage, closeActiveImage},
                    {minimizeButton, minimizeNormalImage, minimizeActiveImage}};
    for (const auto& caption : captions) {
        PngControl control;
        control.attachImageButton(caption.button);
        // Each state owns its image, decoded separately.
        control.setImages(loadImageFromBytes(caption.light), loadImageFromBytes(caption.dark),
                          loadImageFromBytes(caption.dark), loadImageFromBytes(caption.dark));
        control.setBackType(BackFitted);
    }
}
