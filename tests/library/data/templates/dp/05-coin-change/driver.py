print(coin_change([1, 2, 5], 11), coin_change([2], 3), coin_change([1], 0),
      coin_change([186, 419, 83, 408], 6249))
