# What the benchmark scripts read from the benches and make of the rounds; sourced, not run.

# The share of a core on aiming_bench's "aiming" line.
aiming_share() { awk '$1 == "aiming" && $3 == "%" { print $2 }'; }

# The median of the numbers on standard input, one a line (the lower of the two middle ones).
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
