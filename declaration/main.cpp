#include "declaration/QuorvialApplication.h"

int main(int argc, char** argv) {
    return quorvial::RunQuorvial(argc, argv);
}
