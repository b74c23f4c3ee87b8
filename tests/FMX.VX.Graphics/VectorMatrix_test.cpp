#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "FMX.VX.Graphics/VectorMatrix.h"
#include "platform/Math.h"

using namespace FMX::VX::Graphics;

namespace {

void ExpectNear(const TPointF& A, const TPointF& B, float Tol = 1e-5f) {
  EXPECT_NEAR(A.X, B.X, Tol);
  EXPECT_NEAR(A.Y, B.Y, Tol);
}

TMatrix Rows(float A1, float B1, float C1, float A2, float B2, float C2, float A3, float B3, float C3) {
  return {A1, B1, C1, A2, B2, C2, A3, B3, C3};
}

}  // namespace

TEST(VectorArithmetic, WOfTheResultIsOneOrCarriedAsDocumented) {
  struct Case { TVector Got, Want; };
  for (auto [Got, Want] : std::vector<Case>{
           {VXVectorAdd({1, 2, 5}, {3, 4, 7}), {4, 6, 1}},
           {VXVectorSubtract({1, 2, 5}, {3, 4, 7}), {-2, -2, 1}},
           {VXVectorMultiply({1, 2, 5}, 2), {2, 4, 5}},
           {VXVectorMultiply(2, {1, 2, 5}), {2, 4, 5}},
           {VXVectorDivide({2, 4, 5}, 4), {0.5f, 1, 5}},
           {VXVectorDivide({2, 4, 5}, 0), {2, 4, 5}},  // division by zero leaves it
           {VXVectorNormalize({3, -4, 9}), {0.6f, -0.8f, 9}},
           {VXVectorNormalize({0, 0, 9}), {0, 0, 9}},
           {VXVectorReflect({1, -1, 3}, {0, 1, 0}), {1, 1, 1}}})
    EXPECT_EQ(Got, Want);
  EXPECT_EQ(VXVectorDotProduct({1, 2, 9}, {3, 4, 9}), 11);
  EXPECT_EQ(VXVectorCrossProductZ({1, 2, 9}, {3, 4, 9}), -2);
  EXPECT_EQ(VXVectorNorm({3, 4, 9}), 25);
  EXPECT_EQ(VXVectorLength({3, 4, 9}), 5);
  EXPECT_EQ(VXPoint(TVector{2, 4, 2}), (TPointF{2, 4}));  // no division by W
}

TEST(VectorAngle, SignFollowsTheCrossProduct) {
  struct Case { TVector B; float Degrees; };
  for (auto [B, Degrees] : std::vector<Case>{{{0, -1, 1}, 90}, {{0, 1, 1}, -90}, {{-1, 0, 1}, -180},
                                             {{1, 1, 1}, -45}, {{0, 0, 1}, -90}})
    EXPECT_NEAR(VXVectorAngle({1, 0, 1}, B), Degrees, 1e-4) << B.X << "," << B.Y;
  const float Same = VXVectorAngle({1, 0, 1}, {5, 0, 1});
  EXPECT_EQ(Same, 0);
  EXPECT_TRUE(std::signbit(Same));
  EXPECT_EQ(VXVectorAngleCosine({0, 0, 1}, {1, 0, 1}), 0);
}

TEST(VectorAngle, OppositeVectorWhoseCosineRoundsBelowMinusOne) {
  // Narrowed lengths make dot / (|a| |b|) come out as -1.00000012 here.
  const TVector A{0x1.7ae148p-2f, 0x1.fae148p-1f, 1};  // (0.37, 0.99)
  const TVector B{-A.X, -A.Y, 1};
  EXPECT_EQ(VXVectorAngleCosine(A, B), -1);
  EXPECT_EQ(VXVectorAngle(A, B), -180);
}

TEST(VectorAngle, OppositeAndParallelVectorsStayInTheArccosineDomain) {
  std::mt19937 Rng(3);
  std::uniform_real_distribution<float> D(-1000, 1000);
  for (int I = 0; I < 20000; ++I) {
    const TVector A{D(Rng), D(Rng), 1};
    const float K = std::fabs(D(Rng)) + 0.001f;
    const TVector Opposite{float(-double(A.X) * K), float(-double(A.Y) * K), 1};
    const TVector Parallel{float(double(A.X) * K), float(double(A.Y) * K), 1};
    ASSERT_GE(VXVectorAngleCosine(A, Opposite), -1);
    ASSERT_LE(VXVectorAngleCosine(A, Parallel), 1);
    const float Angle = VXVectorAngle(A, Opposite);
    ASSERT_FALSE(std::isnan(Angle)) << A.X << "," << A.Y << " x" << K;
    ASSERT_NEAR(std::fabs(Angle), 180, 0.05);
    ASSERT_FALSE(std::isnan(VXVectorAngle(A, Parallel)));
  }
}

TEST(MatrixProducts, ApplyTheLeftFactorFirst) {
  ExpectNear(VXMatrixMultiply(TPointF{1, 0}, CreateRotationVXMatrix(float(FMX::Pi / 2))), {0, 1});
  const TMatrix TS = VXMatrixMultiply(CreateTranslateVXMatrix(5, 0), CreateScaleVXMatrix(2, 1));
  EXPECT_EQ(VXMatrixMultiply(TPointF{1, 0}, TS), (TPointF{12, 0}));
  const TMatrix ST = VXMatrixMultiply(CreateScaleVXMatrix(2, 1), CreateTranslateVXMatrix(5, 0));
  EXPECT_EQ(VXMatrixMultiply(TPointF{1, 0}, ST), (TPointF{7, 0}));
  ExpectNear(VXMatrixMultiply(TPointF{20, 10}, CreateRotationVXMatrix({10, 10}, float(FMX::Pi))), {0, 10});

  TMatrix Projective = VXIdentityMatrix;
  Projective.m13 = 1;
  Projective.m23 = 2;
  Projective.m33 = 3;
  EXPECT_EQ(VXMatrixMultiply(TVector{1, 2, 1}, Projective), (TVector{1, 2, 8}));
  // The transform ignores the projective column, weights the translation by W
  // and sets W to 1.
  EXPECT_EQ(VXMatrixTransform(CreateTranslateVXMatrix(5, 7), TVector{1, 1, 2}), (TVector{11, 15, 1}));
  EXPECT_EQ(VXMatrixTransform(Projective, TVector{1, 1, 1}), (TVector{1, 1, 1}));
  const TRectF Turned = VXMatrixTransform(CreateRotationVXMatrix(float(FMX::Pi)), TRectF{0, 0, 10, 10});
  ExpectNear(Turned.TopLeft(), {0, 0});
  ExpectNear(Turned.BottomRight(), {-10, -10});
}

TEST(MatrixInverse, AdjugateDeterminantAndTheSingularThreshold) {
  TMatrix M = Rows(1, 2, 3, 0, 1, 4, 5, 6, 0);
  EXPECT_EQ(VXMatrixDeterminant(M), 1);
  const TMatrix Adjugate = Rows(-24, 18, 5, 20, -15, -4, -5, 4, 1);
  TMatrix A = M;
  AdjointVXMatrix(A);
  EXPECT_EQ(A, Adjugate);
  ScaleVXMatrix(A, 2);
  EXPECT_EQ(A, Rows(-48, 36, 10, 40, -30, -8, -10, 8, 2));
  InvertVXMatrix(M);
  EXPECT_EQ(M, Adjugate);  // determinant 1

  TMatrix T = CreateTranslateVXMatrix(5, 7);
  InvertVXMatrix(T);
  EXPECT_EQ(T, CreateTranslateVXMatrix(-5, -7));
  TMatrix Flat = CreateScaleVXMatrix(0, 1);
  InvertVXMatrix(Flat);
  EXPECT_TRUE(IsIdentityMatrix(Flat));
  // Determinant 1E-41 counts as singular, 1E-39 does not.
  TMatrix Tiny = CreateScaleVXMatrix(1e-20f, 1e-21f);
  InvertVXMatrix(Tiny);
  EXPECT_TRUE(IsIdentityMatrix(Tiny));
  // Just above the threshold (determinant about 2E-40) it inverts.
  TMatrix Near = CreateScaleVXMatrix(1e-20f, 2e-20f);
  InvertVXMatrix(Near);
  EXPECT_FALSE(IsIdentityMatrix(Near));
  EXPECT_NEAR(Near.m11, 1e20f, 1e15f);
  EXPECT_NEAR(Near.m22, 5e19f, 5e14f);
  // 1/1E-39 is beyond the float range: the inverse must still be finite, with
  // its zeros kept (not inf * 0 = NaN).
  TMatrix Small = CreateScaleVXMatrix(1e-20f, 1e-19f);
  InvertVXMatrix(Small);
  EXPECT_NEAR(Small.m11, 1e20f, 1e15f);
  EXPECT_NEAR(Small.m22, 1e19f, 1e14f);
  EXPECT_NEAR(Small.m33, 1, 1e-5);
  EXPECT_EQ(Small.m12, 0);
  EXPECT_EQ(Small.m31, 0);

  const TMatrix G = VXMatrixMultiply(
      VXMatrixMultiply(CreateRotationVXMatrix(0.3f), CreateScaleVXMatrix(2, 3)), CreateTranslateVXMatrix(4, -1));
  TMatrix GI = G;
  InvertVXMatrix(GI);
  EXPECT_TRUE(VXMatrixEquals(VXMatrixMultiply(G, GI), VXIdentityMatrix, 1e-5f));
}

TEST(MatrixDecomposition, RotationAngleInDegreesAndEulerAngles) {
  struct Case { double Degrees; float Want; };
  for (auto [Degrees, Want] : std::vector<Case>{{0, 0}, {30, 30}, {90, 90}, {180, 180}, {200, 200},
                                                {-90, 270}, {-30, 330}, {359, 359}, {450, 90}})
    EXPECT_NEAR(VXMatrixRotationAngle(CreateRotationVXMatrix(float(FMX::DegToRad(Degrees)))), Want, 1e-3)
        << Degrees;
  EXPECT_EQ(VXMatrixRotationAngle(VXIdentityMatrix), 0);

  const TVector R = VXMatrixEulerAngles(CreateRotationVXMatrix(0.5f));
  EXPECT_EQ(R.X, 0);
  EXPECT_EQ(R.Y, 0);
  EXPECT_NEAR(R.W, -0.5f, 1e-6);
  // Translation lands in X and Y: atan2(4, 1) and atan2(-3, sqrt 17).
  const TVector T = VXMatrixEulerAngles(CreateTranslateVXMatrix(3, 4));
  EXPECT_NEAR(T.X, 1.3258177f, 1e-6);
  EXPECT_NEAR(T.Y, -0.6290148f, 1e-6);
  EXPECT_EQ(T.W, 0);

  const TMatrix M = VXMatrixMultiply(CreateScaleVXMatrix(2, 3), CreateTranslateVXMatrix(4, -1));
  EXPECT_EQ(VXMatrixTranslationVector(M), (TPointF{4, -1}));
  EXPECT_EQ(VXMatrixScaleVector(M), (TPointF{2, 3}));
}

TEST(MatrixComparison, IdentityIsExactEqualsIsTolerant) {
  TMatrix M = VXIdentityMatrix;
  M.m12 = 1e-7f;
  EXPECT_FALSE(IsIdentityMatrix(M));
  EXPECT_TRUE(VXMatrixEquals(M, VXIdentityMatrix, 0));
  M.m12 = -0.0f;  // equal in value
  EXPECT_TRUE(IsIdentityMatrix(M));
  M.m33 = 1.5f;
  EXPECT_TRUE(VXMatrixEquals(M, VXIdentityMatrix, 0.5f));
  EXPECT_FALSE(VXMatrixEquals(M, VXIdentityMatrix, 0.4f));
  EXPECT_FALSE(VXMatrixEquals(M, VXIdentityMatrix));
}
