#include "plugin/commandset/strings.h"

namespace korvo::commandset {

namespace {

// The texts of TRACE, PEDIT, RECTARRAY, POLARARRAY and SETTINGS, as the user reads them
// (their spelling included). "Yes" and "No" are shared with every choice row of the module.
constexpr PluginString kEditingStrings[] = {
    // Drawing settings sheet.
    {104, u"Drawing Settings"},
    {140, u"Drawing background"},
    {141, u"White"},
    {142, u"Black"},
    {172, u"Display Spline Frame:"},
    {179, u"Drawing limits, min X:"},
    {180, u"min Y:"},
    {181, u"max X:"},
    {182, u"max Y:"},
    {183, u"Drawing Base, X:"},
    {184, u"Y:"},
    {185, u"Drawing grid, Mode:"},
    {186, u"Spacing:"},
    {189, u"Grid SNAP, Mode:"},
    {190, u"Spacing:"},
    {191, u"Ortho SNAP, Mode:"},
    {192, u"Object SNAP, Mode:"},
    {193, u"Intersection SNAP, Mode:"},
    {194, u"Point display, Mode:"},
    {195, u"0\n1\n2\n3\n4\n32\n33\n34\n35\n36\n64\n65\n66\n67\n68\n96\n97\n98\n99\n100"},
    {196, u"Size:"},
    {197, u"ON"},
    {198, u"OFF"},
    {187, u"Yes"},
    {188, u"No"},

    // Trace.
    {108, u"Width? <%g>"},
    {109, u"Second point for trace width"},
    {113, u"Start? <done>"},
    {122, u"Start point of trace"},
    {125, u"Next point? <done>"},
    {126, u"Next point of trace"},

    // Polyline editing.
    {127, u"Select polyline? <done>"},
    {128, u"Selected object is not Polyline!"},
    {129, u"Configuration of polyline"},
    {130, u"None\nCubic\nQuadratic"},
    {131, u"Smoothing:"},
    {132, u"Closed:"},
    {133, u"Segments per spline patch:"},
    {221, u"Number of segments per spline patch cannot be zero!"},

    // Arrays, both kinds.
    {161, u"Select objects? <no more>"},
    {165, u"Define array by:"},
    {199, u"Rotate objects:"},

    // Rectangular array.
    {143, u"Rectangular array"},
    {144, u"Number of Rows:"},
    {150, u"Columns:"},
    {153, u"Unit cell origin?"},
    {156, u"Origin of rectangular array unit cell"},
    {157, u"Other corner?"},
    {158, u"Other corner of rectangular array unit cell"},
    {159, u"Array angle? <%g>"},
    {160, u"Angle of array"},
    {162, u"Array must consist of at least 2 objects."},
    {163, u"Unit cell origin? <%g,%g>"},
    {164, u"Other corner? <%g,%g>"},
    {166, u"Unit cell"},
    {167, u"Surrounder"},
    {168, u"Surrounder origin? <%g,%g>"},
    {170, u"Surrounder origin?"},
    {200, u"Rotation base? <%g,%g>"},
    {201, u"Base point of rotation of drawing ogjects in rectangular array"},

    // Polar array.
    {202, u"Total number of items:"},
    {203,
     u"Number of items & Filled Angle\nAngle between items & Number of Items\n"
     u"Filled Angle & Angle between items"},
    {204, u"Center point of polar array"},
    {205, u"Array center?"},
    {206, u"Angle to fill by polar array"},
    {207, u"Angle to fill?"},
    {208, u"Angle to fill? <%g>"},
    {209, u"Array center? <%g,%g>"},
    {210, u"Angle between items? <%g>"},
    {211, u"Angle between items of polar array"},
    {212, u"Angle between items?"},
    {213, u"To create a polar array of more than 1 item, decrease the angle between items!"},
    {214,
     u"Absolute value of angle between items must be less than absoulte value of angle to "
     u"fill!"},
    {215, u"Base point of objects of polar array"},
    {216, u"Base point of objects? <%g, %g>"},
    {217, u"Explicit selction of angle to fill"},
    {218, u"Polar array"},
    {219,
     u"With the entered rotation base all created objects of array will be exact copy of "
     u"source objects.\n\nPress Yes to continue with the entered rotation base.\n\nPress No to "
     u"enter another rotation base."},
    {220,
     u"Angle between items must be less than %s degrees and greater than %s degrees!\n\nPress "
     u"Yes to continue with %s degrees  to spread the copies evenly over the full 360 degrees "
     u"of the circle.\n\nPress No to enter another angle between items."},
    {274, u"Angle to fill:"},
};

}  // namespace

std::span<const PluginString> EditingStrings() {
  return kEditingStrings;
}

}  // namespace korvo::commandset
