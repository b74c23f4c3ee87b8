#include "platform/Types.h"

#include <cmath>

namespace FMX {

TMatrix TMatrix::Identity() {
  TMatrix M;
  M.m11 = M.m22 = M.m33 = 1;
  return M;
}

TMatrix TMatrix::CreateTranslation(float DX, float DY) {
  TMatrix M = Identity();
  M.m31 = DX;
  M.m32 = DY;
  return M;
}

TMatrix TMatrix::CreateScaling(float SX, float SY) {
  TMatrix M = Identity();
  M.m11 = SX;
  M.m22 = SY;
  return M;
}

TMatrix TMatrix::CreateRotation(float Angle) {
  const float S = float(std::sin(double(Angle)));
  const float C = float(std::cos(double(Angle)));
  TMatrix M = Identity();
  M.m11 = C;
  M.m12 = S;
  M.m21 = -S;
  M.m22 = C;
  return M;
}

TMatrix TMatrix::operator*(const TMatrix& B) const {
  const TMatrix& A = *this;
  auto Cell = [](double a1, double a2, double a3, double b1, double b2, double b3) {
    return float(a1 * b1 + a2 * b2 + a3 * b3);
  };
  TMatrix R;
  R.m11 = Cell(A.m11, A.m12, A.m13, B.m11, B.m21, B.m31);
  R.m12 = Cell(A.m11, A.m12, A.m13, B.m12, B.m22, B.m32);
  R.m13 = Cell(A.m11, A.m12, A.m13, B.m13, B.m23, B.m33);
  R.m21 = Cell(A.m21, A.m22, A.m23, B.m11, B.m21, B.m31);
  R.m22 = Cell(A.m21, A.m22, A.m23, B.m12, B.m22, B.m32);
  R.m23 = Cell(A.m21, A.m22, A.m23, B.m13, B.m23, B.m33);
  R.m31 = Cell(A.m31, A.m32, A.m33, B.m11, B.m21, B.m31);
  R.m32 = Cell(A.m31, A.m32, A.m33, B.m12, B.m22, B.m32);
  R.m33 = Cell(A.m31, A.m32, A.m33, B.m13, B.m23, B.m33);
  return R;
}

TPointF TMatrix::Transform(const TPointF& P) const {
  return {float(double(P.X) * m11 + double(P.Y) * m21 + m31),
          float(double(P.X) * m12 + double(P.Y) * m22 + m32)};
}

}  // namespace FMX
