#include "output/output_bindings.h"

#include "output/board_copy.h"
#include "output/circuit_words.h"
#include "output/print_command.h"

namespace voltaro {

const std::vector<MenuBinding>& outputMenuBindings() {
    static const std::vector<MenuBinding> bindings = {
        {MenuId::Copy1, Copy1Click},
        {MenuId::CopySelect1, CopySelect1Click},
        {MenuId::print1, print1Click},
        {MenuId::DescribeCircuit1, DescribeCircuit1Click},
    };
    return bindings;
}

} // namespace voltaro
