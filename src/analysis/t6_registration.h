#pragma once
// The two windows of the 'T=6' menu; registerT6 wires them in.
namespace rca {

class Bench;

void registerT6Windows(Bench& wb); // 'Show t Matrix' (TForm5), '(F) Show graphics' (TForm14)

} // namespace rca
