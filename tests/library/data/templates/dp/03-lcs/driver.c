    printf("%d %d %d\n", lcs("ACAYKP", "CAPCAK"), lcs("", "ABC"), lcs("ABC", "ABC"));
