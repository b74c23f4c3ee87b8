#pragma once
// Two-dimensional homogeneous vectors (TVector: X, Y, W) and 3x3 affine
// matrices (TMatrix, row by row).
//
// Conventions:
// - points are row vectors multiplied from the left: x' = x*m11 + y*m21 + m31,
//   y' = x*m12 + y*m22 + m32; the translation sits in m31, m32;
// - A x B applies A first, then B;
// - angles given to and returned by the matrix functions are radians, except
//   VXMatrixRotationAngle and VXVectorAngle, which return degrees;
// - vector functions use X and Y; W is kept, copied or set to 1 as stated;
// - every result is evaluated in double and narrowed to 32 bits on storing.
// Nothing here throws: a singular matrix inverts to the identity, division
// by zero leaves a vector unchanged.

#include <array>

#include "FMX.VX.Graphics/Geometry.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

// Array views of a vector (X, Y, W) and of a matrix (three rows).
using TVXVectorArray = std::array<float, 3>;
using TVXMatrixArray = std::array<TVector, 3>;
static_assert(sizeof(TVXVectorArray) == sizeof(TVector) && sizeof(TVXMatrixArray) == sizeof(TMatrix));

inline constexpr TMatrix VXIdentityMatrix{1, 0, 0, 0, 1, 0, 0, 0, 1};

// --- Construction and copies ---------------------------------------------

VXFMX_API TVector VXVector(float X, float Y, float W);
VXFMX_API TVector VXVector(const TPointF& P, float W);
VXFMX_API TVector VXVector(const TVector& V);
VXFMX_API TVector Vector(const TVector& V);
VXFMX_API TMatrix VXMatrix(const TMatrix& M);
VXFMX_API TMatrix Matrix(const TMatrix& M);
// (X, Y); W is ignored (no division by W).
VXFMX_API TPointF VXPoint(const TVector& V);

// --- Vector arithmetic ----------------------------------------------------

// W of the result is 1.
VXFMX_API TVector VXVectorAdd(const TVector& A, const TVector& B);
VXFMX_API TVector VXVectorSubtract(const TVector& A, const TVector& B);
// W of the result is A's.
VXFMX_API TVector VXVectorMultiply(const TVector& A, float S);
VXFMX_API TVector VXVectorMultiply(float S, const TVector& A);
// Multiplies by 1/S narrowed to float; S = 0 leaves A unchanged.
VXFMX_API TVector VXVectorDivide(const TVector& A, float S);
// Unit length; a zero vector stays as it is. W is kept.
VXFMX_API TVector VXVectorNormalize(const TVector& A);
// A - 2 (A . N) N: the reflection of A at a mirror with unit normal N. W is 1.
VXFMX_API TVector VXVectorReflect(const TVector& A, const TVector& N);

VXFMX_API float VXVectorDotProduct(const TVector& A, const TVector& B);
VXFMX_API float VXVectorCrossProductZ(const TVector& A, const TVector& B);
// Squared length.
VXFMX_API float VXVectorNorm(const TVector& A);
VXFMX_API float VXVectorLength(const TVector& A);
// Cosine of the angle between A and B, limited to [-1, 1]; 0 when either
// vector has length 0.
VXFMX_API float VXVectorAngleCosine(const TVector& A, const TVector& B);
// Signed angle from A to B in degrees, in [-180, 180]: positive when B turns
// from A towards -y (counter-clockwise on a y-down screen), negative
// otherwise; collinear opposite vectors give -180, equal directions -0 and a
// zero vector -90.
VXFMX_API float VXVectorAngle(const TVector& A, const TVector& B);

// --- Matrices -------------------------------------------------------------

// (x*m11 + y*m21 + w*m31, x*m12 + y*m22 + w*m32) with W = 1.
VXFMX_API TVector VXMatrixTransform(const TMatrix& M, const TVector& V);
// The top-left and bottom-right corners transformed; not normalised and not
// a bounding box (a half turn gives an inverted rectangle).
VXFMX_API TRectF VXMatrixTransform(const TMatrix& M, const TRectF& R);
// A x B: element (i, j) is the sum over k of A(i, k) * B(k, j).
VXFMX_API TMatrix VXMatrixMultiply(const TMatrix& A, const TMatrix& B);
VXFMX_API TPointF VXMatrixMultiply(const TPointF& P, const TMatrix& M);
// Full row-vector product, W' = x*m13 + y*m23 + w*m33 included.
VXFMX_API TVector VXMatrixMultiply(const TVector& V, const TMatrix& M);
// All nine elements equal under SameValue with Epsilon; 0 selects the
// relative default tolerance.
VXFMX_API bool VXMatrixEquals(const TMatrix& A, const TMatrix& B, float Epsilon = 0);
VXFMX_API float VXMatrixDeterminant(const TMatrix& M);
// Replaces M by its adjugate (transposed cofactor matrix).
VXFMX_API void AdjointVXMatrix(TMatrix& M);
// Multiplies all nine elements by Factor.
VXFMX_API void ScaleVXMatrix(TMatrix& M, float Factor);
// Replaces M by its inverse: the adjugate scaled by 1/det. A matrix whose
// determinant is below 1E-40 in magnitude becomes the identity. (A
// determinant too small for a float reciprocal is divided out in double, so
// that the zeros of the adjugate stay zero instead of becoming NaN.)
VXFMX_API void InvertVXMatrix(TMatrix& M);
// Rotation by Angle radians: (x, y) -> (x cos - y sin, x sin + y cos), so
// positive angles turn from +x towards +y (clockwise on a y-down screen).
VXFMX_API TMatrix CreateRotationVXMatrix(float Angle);
// The same rotation about Center.
VXFMX_API TMatrix CreateRotationVXMatrix(const TPointF& Center, float Angle);
VXFMX_API TMatrix CreateScaleVXMatrix(float SX, float SY);
VXFMX_API TMatrix CreateTranslateVXMatrix(float DX, float DY);
// Radians: X = atan2(m32, m33), Y = atan2(-m31, sqrt(m32^2 + m33^2)),
// W = atan2(m21, m11). For an affine 2-D matrix only W is meaningful: the
// negative of the angle given to CreateRotationVXMatrix.
VXFMX_API TVector VXMatrixEulerAngles(const TMatrix& M);
// The rotation of M in degrees, reduced to [0, 360): the angle given to
// CreateRotationVXMatrix, converted to degrees.
VXFMX_API float VXMatrixRotationAngle(const TMatrix& M);
// (m31, m32).
VXFMX_API TPointF VXMatrixTranslationVector(const TMatrix& M);
// (m11, m22): the diagonal only, not the scale of a rotated matrix.
VXFMX_API TPointF VXMatrixScaleVector(const TMatrix& M);
// Exactly VXIdentityMatrix, element by element (no tolerance).
VXFMX_API bool IsIdentityMatrix(const TMatrix& M);

}  // namespace FMX::VX::Graphics
