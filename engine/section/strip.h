#pragma once
// Section properties of horizontal strips: area, centroid height and second
// moment about the strip's own horizontal centroidal axis. Heights in mm.

struct StripProps {
    double A = 0.0;  // area
    double z = 0.0;  // centroid height
    double I = 0.0;  // own second moment
};

// Exact part of a circle (radius r, centre at height zCentre) between the
// heights z1 < z2; zero when the strip misses the circle.
StripProps circleStrip(double r, double zCentre, double z1, double z2);

// Rectangle of the given width between z1 and z2 (zero for z2 <= z1).
StripProps rectangleStrip(double width, double z1, double z2);

// Union of two disjoint parts (parallel-axis rule).
StripProps combine(const StripProps &a, const StripProps &b);

// The whole minus a part lying inside it.
StripProps subtract(const StripProps &whole, const StripProps &part);

// n equal parts at the same height (n bars of one layer).
StripProps times(const StripProps &part, double n);
