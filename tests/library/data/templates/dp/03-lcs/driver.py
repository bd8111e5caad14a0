print(lcs("ACAYKP", "CAPCAK"), lcs("", "ABC"), lcs("ABC", "ABC"))
