// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/operands.h"

#include <string>

#include "engine/errors.h"
#include "engine/expression_texts.h"
#include "engine/number_text.h"

namespace brisalto {

namespace {

constexpr const char* kUnableToFindValue = "Unable to find Value of ";

}  // namespace

std::int32_t FindVariableIndex(std::string_view text, const VariableTable& table) {
    if (!text.empty()) {
        for (std::size_t i = 0; i < table.names.size(); ++i) {
            const std::string& name = table.names[i];
            if (!name.empty() && name[0] == text[0]) return static_cast<std::int32_t>(i);
        }
    }
    throw LookupError(kUnableToFindValue + std::string(text));
}

CalcValue OperandValue(std::string_view text, FuncTypes type, const VariableTable& table) {
    switch (type) {
        case ftNumber:
            return TextToValue(text);
        case ftVariable: {
            const auto index = static_cast<std::size_t>(FindVariableIndex(text, table));
            if (index >= table.values.size())
                throw LookupError(kUnableToFindValue + std::string(text));
            return table.values[index];
        }
        default:
            throw ExpressionError(kFunctionRong);
    }
}

}  // namespace brisalto
