// A complex magnitude as the kernel stores it: a real and an imaginary part,
// possibly held in a converted form (the parts then read through
// ConvertedReal and ConvertedImag).
#pragma once

class omi_complex {
 public:
  omi_complex() = default;
  omi_complex(double real, double imag) : real_(real), imag_(imag) {}

  double Real() const { return real_; }
  double Imag() const { return imag_; }
  bool IsConverted() const { return converted_; }
  double ConvertedReal() const { return convertedReal_; }
  double ConvertedImag() const { return convertedImag_; }

  // Marks the value converted, with the parts its conversion gives.
  void SetConverted(double real, double imag) {
    converted_ = true;
    convertedReal_ = real;
    convertedImag_ = imag;
  }

 private:
  double real_ = 0.0;
  double imag_ = 0.0;
  bool converted_ = false;
  double convertedReal_ = 0.0;
  double convertedImag_ = 0.0;
};
