/* The pre-heater power over the heat load of a module, from numbers: one call for the sweep. */
#include <c3f8calc.h>

#include <stdio.h>

int main(void)
{
    enum { points = 6 };
    double heat_loads[points];
    for (int j = 0; j < points; ++j)
        heat_loads[j] = 100.0 * j;
    /* tevap, tsub, x_we, x_wy, m stay as they are (a stride of 0); Qw runs over the array. */
    const double tevap = -25, tsub = 15, x_we = 0.1, x_wy = 0.9, m = 10;
    const double *inputs[C3F8_INPUT_COUNT] = {&tevap, &tsub, &x_we, &x_wy, heat_loads, &m};
    const int64_t strides[C3F8_INPUT_COUNT] = {0, 0, 0, 0, sizeof(double), 0};
    double values[points * C3F8_RESULT_COUNT];
    int8_t warnings[points * C3F8_WARNING_COUNT];
    uint32_t outside_fits[points];
    int32_t kinds[points], fields[points];
    int64_t failed;
    c3f8_status status = c3f8_calculate_many(points, inputs, strides, values, warnings,
                                             outside_fits, kinds, fields, &failed);
    if (status != C3F8_OK) {
        fprintf(stderr, "c3f8calc: %s\n", c3f8_status_text(status));
        return 1;
    }
    int32_t qg;
    c3f8_field_index("Qg", &qg);
    for (int j = 0; j < points; ++j) {
        char shown[C3F8_TEXT_MAX];
        c3f8_format_result(qg, values[j * C3F8_RESULT_COUNT + qg - C3F8_INPUT_COUNT], ".", shown,
                           sizeof shown, NULL);
        printf("Qw %5.0f W: Qg %s W\n", heat_loads[j], shown);
    }
    return failed == 0 ? 0 : 1;
}
