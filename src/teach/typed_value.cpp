// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/typed_value.h"

#include <cctype>

namespace vantrell {
namespace {

class Scanner {
  public:
    explicit Scanner(std::string_view text) : mText(text) {}

    void SkipBlanks() {
        while (mPos < mText.size() && (mText[mPos] == ' ' || mText[mPos] == '\t')) {
            ++mPos;
        }
    }
    bool AtEnd() {
        SkipBlanks();
        return mPos == mText.size();
    }
    bool Eat(char c) {
        SkipBlanks();
        if (mPos < mText.size() && mText[mPos] == c) {
            ++mPos;
            return true;
        }
        return false;
    }
    bool EatM() { return Eat('M') || Eat('m'); }
    bool AtDigit() const {
        return mPos < mText.size() && std::isdigit(static_cast<unsigned char>(mText[mPos]));
    }

    // Digits with an optional decimal part, or a decimal part alone (".5"); whether it had
    // a point is told, as only whole numbers start a mixed number.
    std::optional<Rational> Decimal(bool& whole) {
        SkipBlanks();
        std::string digits;
        std::size_t places = 0;
        bool point = false;
        while (mPos < mText.size()) {
            const char c = mText[mPos];
            if (std::isdigit(static_cast<unsigned char>(c))) {
                digits += c;
                places += point ? 1 : 0;
            } else if (c == '.' && !point) {
                point = true;
            } else {
                break;
            }
            ++mPos;
        }
        // Longer numbers than any tableau holds are refused rather than computed with.
        if (digits.empty() || digits.size() > 40) {
            return std::nullopt;
        }
        whole = !point;
        mpz_class scale = 1;
        for (std::size_t k = 0; k < places; ++k) {
            scale *= 10;
        }
        // Base 10 said outright: GMP reads a leading 0 as octal ("010" as 8, "08" not at all).
        Rational value(mpz_class(digits, 10), scale);
        value.canonicalize();
        return value;
    }

    // A decimal, "p/q", or the mixed number "a b/c".
    std::optional<Rational> Number() {
        bool whole = false;
        auto value = Decimal(whole);
        if (!value) {
            return std::nullopt;
        }
        const std::size_t afterFirst = mPos;
        if (Eat('/')) {
            bool ignored = false;
            const auto divisor = Decimal(ignored);
            if (!divisor || sgn(*divisor) == 0) {
                return std::nullopt;
            }
            return Rational(*value / *divisor);
        }
        SkipBlanks();
        if (whole && mPos > afterFirst && AtDigit()) {
            bool numeratorWhole = false;
            const auto numerator = Decimal(numeratorWhole);
            bool denominatorWhole = false;
            if (numerator && numeratorWhole && Eat('/')) {
                const auto denominator = Decimal(denominatorWhole);
                if (denominator && denominatorWhole && sgn(*denominator) != 0) {
                    return Rational(*value + *numerator / *denominator);
                }
            }
            return std::nullopt;
        }
        mPos = afterFirst;
        return value;
    }

    // One term without its sign: a number, a number times M, M, or "(number)M".
    bool Term(int sign, ExactMValue& sum) {
        std::optional<Rational> coefficient;
        if (Eat('(')) {
            const int innerSign = Eat('-') ? -1 : 1;
            if (innerSign > 0) {
                Eat('+');
            }
            coefficient = Number();
            if (!coefficient || !Eat(')')) {
                return false;
            }
            *coefficient *= innerSign;
        } else {
            SkipBlanks();
            if (AtDigit() || (mPos < mText.size() && mText[mPos] == '.')) {
                coefficient = Number();
                if (!coefficient) {
                    return false;
                }
            }
        }
        const bool times = Eat('*');
        if (EatM()) {
            sum.hasM = true;
            sum.m += sign * coefficient.value_or(Rational(1));
            return true;
        }
        if (!coefficient || times) {
            return false;
        }
        sum.c += sign * *coefficient;
        return true;
    }

    std::optional<ExactMValue> Expression() {
        ExactMValue sum;
        int sign = Eat('-') ? -1 : 1;
        if (sign > 0) {
            Eat('+');
        }
        if (!Term(sign, sum)) {
            return std::nullopt;
        }
        while (!AtEnd()) {
            if (Eat('+')) {
                sign = 1;
            } else if (Eat('-')) {
                sign = -1;
            } else {
                return std::nullopt;
            }
            if (!Term(sign, sum)) {
                return std::nullopt;
            }
        }
        return sum;
    }

  private:
    std::string_view mText;
    std::size_t mPos = 0;
};

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// The position of the comma of "(a, bM)", or npos when text is not such a pair.
std::size_t PairComma(std::string_view text) {
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') {
        return std::string_view::npos;
    }
    int depth = 0;
    std::size_t comma = std::string_view::npos;
    for (std::size_t k = 1; k + 1 < text.size(); ++k) {
        depth += text[k] == '(' ? 1 : text[k] == ')' ? -1 : 0;
        if (depth < 0) {
            return std::string_view::npos;
        }
        if (text[k] == ',' && depth == 0) {
            if (comma != std::string_view::npos) {
                return std::string_view::npos;
            }
            comma = k;
        }
    }
    return comma;
}

}  // namespace

bool SameMValue(const ExactMValue& a, const ExactMValue& b) {
    return a.c == b.c && (a.hasM ? a.m : Rational(0)) == (b.hasM ? b.m : Rational(0));
}

std::optional<ExactMValue> ParseTypedValue(std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) {
        return std::nullopt;
    }
    if (const std::size_t comma = PairComma(text); comma != std::string_view::npos) {
        const auto constant = Scanner(text.substr(1, comma - 1)).Expression();
        const auto mPart = Scanner(text.substr(comma + 1, text.size() - comma - 2)).Expression();
        // "(a, bM)": a constant, then an M part alone ("0" counts as 0M).
        if (!constant || !mPart || constant->hasM || sgn(mPart->c) != 0) {
            return std::nullopt;
        }
        return ExactMValue{constant->c, mPart->m, true};
    }
    return Scanner(text).Expression();
}

std::vector<std::string> SplitTypedRow(std::string_view line) {
    line = Trimmed(line);
    bool commas = false;
    int depth = 0;
    for (const char c : line) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        commas = commas || (c == ',' && depth == 0);
    }
    std::vector<std::string> pieces;
    std::string piece;
    depth = 0;
    const auto flush = [&pieces, &piece] {
        const std::string_view trimmed = Trimmed(piece);
        if (!trimmed.empty()) {
            pieces.emplace_back(trimmed);
        }
        piece.clear();
    };
    for (const char c : line) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        const bool cut = depth == 0 && (commas ? c == ',' : c == ' ' || c == '\t');
        if (cut) {
            flush();
        } else {
            piece += c;
        }
    }
    flush();
    if (commas) {
        return pieces;
    }
    // Between blanks a sign alone, or a piece that ends or starts with an operator, is
    // part of the cell beside it.
    std::vector<std::string> cells;
    bool joinNext = false;
    for (const std::string& p : pieces) {
        const bool lonely = p == "+" || p == "-";
        const bool startsWithOperator = p.front() == '/' || p.front() == '*';
        if (!cells.empty() && (joinNext || lonely || startsWithOperator)) {
            cells.back() += " " + p;
        } else {
            cells.push_back(p);
        }
        const char last = p.back();
        joinNext = last == '+' || last == '-' || last == '/' || last == '*';
    }
    return cells;
}

}  // namespace vantrell
