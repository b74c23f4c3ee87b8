#include "FMX.VX.Graphics/VectorMatrix.h"

#include <cmath>

#include "platform/Math.h"

namespace FMX::VX::Graphics {

namespace {

// Below this determinant a matrix counts as singular. Stored as a float it is
// a denormal (9.99995E-41).
constexpr float SingularThreshold = 1E-40f;

}  // namespace

// --- Construction and copies ---------------------------------------------

TVector VXVector(float X, float Y, float W) { return {X, Y, W}; }

TVector VXVector(const TPointF& P, float W) { return {P.X, P.Y, W}; }

TVector VXVector(const TVector& V) { return V; }

TVector Vector(const TVector& V) { return V; }

TMatrix VXMatrix(const TMatrix& M) { return M; }

TMatrix Matrix(const TMatrix& M) { return M; }

TPointF VXPoint(const TVector& V) { return {V.X, V.Y}; }

// --- Vector arithmetic ----------------------------------------------------

TVector VXVectorAdd(const TVector& A, const TVector& B) {
  return {float(double(A.X) + B.X), float(double(A.Y) + B.Y), 1};
}

TVector VXVectorSubtract(const TVector& A, const TVector& B) {
  return {float(double(A.X) - B.X), float(double(A.Y) - B.Y), 1};
}

TVector VXVectorMultiply(const TVector& A, float S) { return {float(double(A.X) * S), float(double(A.Y) * S), A.W}; }

TVector VXVectorMultiply(float S, const TVector& A) { return VXVectorMultiply(A, S); }

TVector VXVectorDivide(const TVector& A, float S) {
  if (S == 0) return A;
  const float K = float(1.0 / S);
  return {float(double(A.X) * K), float(double(A.Y) * K), A.W};
}

TVector VXVectorNormalize(const TVector& A) {
  const float N = float(std::sqrt(double(A.X) * A.X + double(A.Y) * A.Y));
  if (!(N > 0)) return A;
  return {float(double(A.X) / N), float(double(A.Y) / N), A.W};
}

TVector VXVectorReflect(const TVector& A, const TVector& N) {
  const double K = -2.0 * double(VXVectorDotProduct(A, N));
  return {float(double(A.X) + N.X * K), float(double(A.Y) + N.Y * K), 1};
}

float VXVectorDotProduct(const TVector& A, const TVector& B) { return float(double(A.X) * B.X + double(A.Y) * B.Y); }

float VXVectorCrossProductZ(const TVector& A, const TVector& B) {
  return float(double(A.X) * B.Y - double(A.Y) * B.X);
}

float VXVectorNorm(const TVector& A) { return float(double(A.X) * A.X + double(A.Y) * A.Y); }

float VXVectorLength(const TVector& A) { return float(std::sqrt(double(VXVectorNorm(A)))); }

float VXVectorAngleCosine(const TVector& A, const TVector& B) {
  const float LA = VXVectorLength(A), LB = VXVectorLength(B);
  if (LA == 0 || LB == 0) return 0;
  const float C = float(double(VXVectorDotProduct(A, B)) / (double(LA) * LB));
  // Rounding can push the quotient of (anti)parallel vectors past +-1, out of
  // the arccosine's domain.
  if (C > 1) return 1;
  if (C < -1) return -1;
  return C;
}

float VXVectorAngle(const TVector& A, const TVector& B) {
  const float Z = VXVectorCrossProductZ(A, B);
  const float Theta = float(RadToDeg(float(std::acos(double(VXVectorAngleCosine(A, B))))));
  return Z < 0 ? Theta : -Theta;
}

// --- Matrices -------------------------------------------------------------

TVector VXMatrixTransform(const TMatrix& M, const TVector& V) {
  return {float(double(V.X) * M.m11 + double(V.Y) * M.m21 + double(V.W) * M.m31),
          float(double(V.X) * M.m12 + double(V.Y) * M.m22 + double(V.W) * M.m32), 1};
}

TRectF VXMatrixTransform(const TMatrix& M, const TRectF& R) {
  const TVector TL = VXMatrixTransform(M, VXVector(R.Left, R.Top, 1));
  const TVector BR = VXMatrixTransform(M, VXVector(R.Right, R.Bottom, 1));
  return {TL.X, TL.Y, BR.X, BR.Y};
}

TMatrix VXMatrixMultiply(const TMatrix& A, const TMatrix& B) { return A * B; }

TPointF VXMatrixMultiply(const TPointF& P, const TMatrix& M) { return M.Transform(P); }

TVector VXMatrixMultiply(const TVector& V, const TMatrix& M) {
  return {float(double(V.X) * M.m11 + double(V.Y) * M.m21 + double(V.W) * M.m31),
          float(double(V.X) * M.m12 + double(V.Y) * M.m22 + double(V.W) * M.m32),
          float(double(V.X) * M.m13 + double(V.Y) * M.m23 + double(V.W) * M.m33)};
}

bool VXMatrixEquals(const TMatrix& A, const TMatrix& B, float Epsilon) {
  return SameValue(A.m11, B.m11, Epsilon) && SameValue(A.m12, B.m12, Epsilon) && SameValue(A.m13, B.m13, Epsilon) &&
         SameValue(A.m21, B.m21, Epsilon) && SameValue(A.m22, B.m22, Epsilon) && SameValue(A.m23, B.m23, Epsilon) &&
         SameValue(A.m31, B.m31, Epsilon) && SameValue(A.m32, B.m32, Epsilon) && SameValue(A.m33, B.m33, Epsilon);
}

float VXMatrixDeterminant(const TMatrix& M) {
  const double A = double(M.m22) * M.m33 - double(M.m32) * M.m23;
  const double B = double(M.m21) * M.m33 - double(M.m31) * M.m23;
  const double C = double(M.m21) * M.m32 - double(M.m31) * M.m22;
  return float(M.m11 * A - M.m12 * B + M.m13 * C);
}

void AdjointVXMatrix(TMatrix& M) {
  // Rows (a1 b1 c1), (a2 b2 c2), (a3 b3 c3), read before anything is written.
  const double A1 = M.m11, B1 = M.m12, C1 = M.m13;
  const double A2 = M.m21, B2 = M.m22, C2 = M.m23;
  const double A3 = M.m31, B3 = M.m32, C3 = M.m33;
  M.m11 = float(B2 * C3 - B3 * C2);
  M.m12 = float(-(B1 * C3 - B3 * C1));
  M.m13 = float(B1 * C2 - B2 * C1);
  M.m21 = float(-(A2 * C3 - A3 * C2));
  M.m22 = float(A1 * C3 - A3 * C1);
  M.m23 = float(-(A1 * C2 - A2 * C1));
  M.m31 = float(A2 * B3 - A3 * B2);
  M.m32 = float(-(A1 * B3 - A3 * B1));
  M.m33 = float(A1 * B2 - A2 * B1);
}

void ScaleVXMatrix(TMatrix& M, float Factor) {
  for (float* E : {&M.m11, &M.m12, &M.m13, &M.m21, &M.m22, &M.m23, &M.m31, &M.m32, &M.m33})
    *E = float(double(*E) * Factor);
}

void InvertVXMatrix(TMatrix& M) {
  const float D = VXMatrixDeterminant(M);
  if (std::fabs(D) < SingularThreshold) {
    M = VXIdentityMatrix;
    return;
  }
  AdjointVXMatrix(M);
  const float K = float(1.0 / D);
  if (std::isfinite(K)) {
    ScaleVXMatrix(M, K);
    return;
  }
  // Determinants below about 3E-39 have no float reciprocal; scaling by inf
  // would turn the zeros of the adjugate into NaN. Divide in double instead.
  for (float* E : {&M.m11, &M.m12, &M.m13, &M.m21, &M.m22, &M.m23, &M.m31, &M.m32, &M.m33})
    *E = float(double(*E) / D);
}

TMatrix CreateRotationVXMatrix(float Angle) { return TMatrix::CreateRotation(Angle); }

TMatrix CreateRotationVXMatrix(const TPointF& Center, float Angle) {
  const TMatrix ToOrigin = CreateTranslateVXMatrix(-Center.X, -Center.Y);
  const TMatrix Back = CreateTranslateVXMatrix(Center.X, Center.Y);
  return VXMatrixMultiply(VXMatrixMultiply(ToOrigin, CreateRotationVXMatrix(Angle)), Back);
}

TMatrix CreateScaleVXMatrix(float SX, float SY) {
  TMatrix M = VXIdentityMatrix;
  M.m11 = SX;
  M.m22 = SY;
  return M;
}

TMatrix CreateTranslateVXMatrix(float DX, float DY) {
  TMatrix M = VXIdentityMatrix;
  M.m31 = DX;
  M.m32 = DY;
  return M;
}

TVector VXMatrixEulerAngles(const TMatrix& M) {
  return {float(std::atan2(double(M.m32), double(M.m33))),
          float(std::atan2(-double(M.m31), std::sqrt(double(M.m32) * M.m32 + double(M.m33) * M.m33))),
          float(std::atan2(double(M.m21), double(M.m11)))};
}

float VXMatrixRotationAngle(const TMatrix& M) {
  const float A = float(RadToDeg(float(std::atan2(double(M.m21), double(M.m11)))));
  float R = float(360.0 - A);
  // atan2 lies in [-180, 180], so R lies in [180, 540]: one reduction at most.
  if (double(R) / 360 >= 1) R = float(double(R) - 360.0 * double(Trunc(double(R) / 360)));
  return R;
}

TPointF VXMatrixTranslationVector(const TMatrix& M) { return {M.m31, M.m32}; }

TPointF VXMatrixScaleVector(const TMatrix& M) { return {M.m11, M.m22}; }

bool IsIdentityMatrix(const TMatrix& M) {
  const TMatrix& I = VXIdentityMatrix;
  return M.m11 == I.m11 && M.m12 == I.m12 && M.m13 == I.m13 && M.m21 == I.m21 && M.m22 == I.m22 &&
         M.m23 == I.m23 && M.m31 == I.m31 && M.m32 == I.m32 && M.m33 == I.m33;
}

}  // namespace FMX::VX::Graphics
