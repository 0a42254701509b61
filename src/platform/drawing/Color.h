#pragma once

#include "platform/foundation/Object.h"

namespace platform {

// A colour in device RGB with alpha, each component from 0 to 1.
class Color : public Object {
public:
    Color(double red, double green, double blue, double alpha);
    static Ref<Color> colorWithRed(double red, double green, double blue, double alpha);
    static Ref<Color> colorWithWhite(double white, double alpha);

    // The framework's named colours with its standard component values.
    static Ref<Color> blackColor();
    static Ref<Color> blueColor();
    static Ref<Color> brownColor();
    static Ref<Color> cyanColor();
    static Ref<Color> darkGrayColor();
    static Ref<Color> grayColor();
    static Ref<Color> greenColor();
    static Ref<Color> lightGrayColor();
    static Ref<Color> magentaColor();
    static Ref<Color> orangeColor();
    static Ref<Color> purpleColor();
    static Ref<Color> redColor();
    static Ref<Color> whiteColor();
    static Ref<Color> yellowColor();
    static Ref<Color> clearColor();
    // The colours of the light appearance: text in documents, text of controls, and the
    // background of windows.
    static Ref<Color> textColor();
    static Ref<Color> controlTextColor();
    static Ref<Color> windowBackgroundColor();

    double redComponent() const { return red_; }
    double greenComponent() const { return green_; }
    double blueComponent() const { return blue_; }
    double alphaComponent() const { return alpha_; }
    // The four components in the order red, green, blue, alpha.
    void getRedGreenBlueAlpha(double* red, double* green, double* blue, double* alpha) const;

    // Makes this the fill and stroke colour of the drawing in progress.
    void set() const;

    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

private:
    double red_, green_, blue_, alpha_;
};

} // namespace platform
